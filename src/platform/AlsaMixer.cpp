#include "platform/AlsaMixer.h"

#include <alsa/asoundlib.h>

#include <cerrno>

struct AlsaMixer::Handle {
    snd_mixer_t* mixer = nullptr;
    snd_mixer_elem_t* element = nullptr;
    ~Handle() {
        if (mixer) snd_mixer_close(mixer);
    }
};

namespace {

bool hasPlaybackVolume(snd_mixer_elem_t* element) {
    return snd_mixer_selem_is_active(element) && snd_mixer_selem_has_playback_volume(element);
}

snd_mixer_elem_t* findMaster(snd_mixer_t* mixer) {
    snd_mixer_selem_id_t* id = nullptr;
    snd_mixer_selem_id_alloca(&id);
    snd_mixer_selem_id_set_name(id, "Master");
    snd_mixer_selem_id_set_index(id, 0);
    if (snd_mixer_elem_t* master = snd_mixer_find_selem(mixer, id);
        master && hasPlaybackVolume(master))
        return master;
    for (snd_mixer_elem_t* e = snd_mixer_first_elem(mixer); e; e = snd_mixer_elem_next(e))
        if (hasPlaybackVolume(e)) return e;
    return nullptr;
}

} // namespace

AlsaMixer::AlsaMixer(QString device) : device_(std::move(device)) {}

AlsaMixer::~AlsaMixer() = default;

int AlsaMixer::attach() {
    auto handle = std::make_unique<Handle>();
    if (const int e = snd_mixer_open(&handle->mixer, 0); e < 0) {
        handle->mixer = nullptr;
        return e;
    }
    const QByteArray device = device_.toLocal8Bit();
    if (const int e = snd_mixer_attach(handle->mixer, device.constData()); e < 0) return e;
    if (const int e = snd_mixer_selem_register(handle->mixer, nullptr, nullptr); e < 0) return e;
    if (const int e = snd_mixer_load(handle->mixer); e < 0) return e;
    handle->element = findMaster(handle->mixer);
    if (!handle->element) return -ENOENT;
    if (const int e =
            snd_mixer_selem_get_playback_volume_range(handle->element, &minimum_, &maximum_);
        e < 0)
        return e;
    handle_ = std::move(handle);
    return 0;
}

int AlsaMixer::open() {
    if (!tried_) {
        tried_ = true;
        result_ = attach();
    }
    return result_;
}

bool AlsaMixer::setVolume(long value) {
    return handle_ && snd_mixer_selem_set_playback_volume_all(handle_->element, value) == 0;
}

bool AlsaMixer::setSwitch(bool on) {
    return handle_ && snd_mixer_selem_has_playback_switch(handle_->element) &&
           snd_mixer_selem_set_playback_switch_all(handle_->element, on ? 1 : 0) == 0;
}
