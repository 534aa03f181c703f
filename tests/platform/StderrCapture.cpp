#include "StderrCapture.h"

#include <cstdio>
#include <iostream>
#include <unistd.h>

StderrCapture::StderrCapture() {
    if (!file_.open()) return;
    std::fflush(stderr);
    std::cerr.flush();
    saved_ = ::dup(STDERR_FILENO);
    ::dup2(file_.handle(), STDERR_FILENO);
}

StderrCapture::~StderrCapture() {
    finish();
}

QByteArray StderrCapture::finish() {
    if (saved_ < 0) return {};
    std::fflush(stderr);
    std::cerr.flush();
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    saved_ = -1;
    file_.seek(0);
    return file_.readAll();
}
