#pragma once
// Records rendered a block at a time on two cores and taken in order. The caller's thread renders
// the even blocks and a second thread the odd ones, each with a renderer of its own (its own cursor
// on the table, its own context), while the caller takes every block in turn as soon as it is done.
// A block is rendered whole by one renderer, so a renderer must start a block from nothing but the
// block's number.
#include "transfer/record_block.h"

#include <functional>

using BlockRenderer = std::function<void(int block, RenderedRecords& into)>;
using BlockTaker = std::function<void(const RenderedRecords& block)>;

// Renders blocks 0 to `count` - 1 and takes them in that order. What a renderer or the taker raises
// stops the work and is raised here, for the first block in order that failed: the blocks before it
// are all taken, none after it. Without a second thread (the system gives none), `here` renders all.
void RenderBlocksInOrder(int count, const BlockRenderer& here, const BlockRenderer& there, const BlockTaker& take);
