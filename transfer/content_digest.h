#pragma once
// A 64-bit digest of bytes given a piece at a time, whatever the pieces: what a media file was
// meant to hold is remembered by it, and the file read back from the disk must give it again. It
// guards against a file changed on its way to the disk, not against a forger, and costs a small
// part of the writing.
#include <QtGlobal>

struct XXH3_state_s;

class ContentDigest {
public:
    ContentDigest();
    ~ContentDigest();
    ContentDigest(const ContentDigest&) = delete;
    ContentDigest& operator=(const ContentDigest&) = delete;

    void add(const char* bytes, qsizetype size);
    quint64 result() const;

private:
    XXH3_state_s* state_;
};
