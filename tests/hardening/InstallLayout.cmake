# Installs the build into a staging folder and checks that everything a desktop looks for is
# where it looks: cmake -DBUILD_DIR=... -DSTAGE=... -P InstallLayout.cmake
file(REMOVE_RECURSE ${STAGE})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
  message(FATAL_ERROR "the install failed")
endif()
set(expected bin/tonvale share/applications/tonvale.desktop share/mime/packages/tonvale.xml
    share/man/man1/tonvale.1.gz share/metainfo/org.example.tonvale.metainfo.xml
    share/doc/tonvale/帮助.html share/doc/tonvale/screenshot.png share/doc/tonvale/copyright
    share/doc/tonvale/changelog.Debian.gz share/lintian/overrides/tonvale)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tonvale.png
       share/icons/hicolor/${size}x${size}/mimetypes/application-x-tonvale-piano.png
       share/icons/hicolor/${size}x${size}/mimetypes/application-x-tonvale-plist.png)
endforeach()
foreach(path IN LISTS expected)
  if(NOT EXISTS ${STAGE}/usr/${path})
    message(FATAL_ERROR "missing after the install: ${path}")
  endif()
endforeach()
# Whether the desktop entry and the AppStream metadata are valid: tests/packaging.
file(READ ${STAGE}/usr/share/applications/tonvale.desktop entry)
# Which files open with the program is each user's choice, never the install's.
string(FIND "${entry}" "\nMimeType=" at)
if(NOT at EQUAL -1)
  message(FATAL_ERROR "the installed desktop entry claims file types")
endif()
file(REMOVE_RECURSE ${STAGE})
