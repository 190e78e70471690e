#include "transfer/content_digest.h"

#include <new>
#include <xxhash.h>

ContentDigest::ContentDigest() : state_(XXH3_createState())
{
    if (!state_)
        throw std::bad_alloc();
    XXH3_64bits_reset(state_);
}

ContentDigest::~ContentDigest()
{
    XXH3_freeState(state_);
}

void ContentDigest::add(const char* bytes, qsizetype size)
{
    XXH3_64bits_update(state_, bytes, size_t(size));
}

quint64 ContentDigest::result() const
{
    return XXH3_64bits_digest(state_);
}
