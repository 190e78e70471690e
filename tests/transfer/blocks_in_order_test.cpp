// Blocks rendered on two cores and taken in order: every block once and in turn, whichever core is
// quicker, and a failure stops the work at the first block in order that failed.
#include "transfer/blocks_in_order.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <stdexcept>
#include <thread>

namespace {

// A renderer that writes the block's number, after a pause of random length so that either core
// may run ahead; `failAt` raises instead.
BlockRenderer Numbering(std::thread::id& thread, int failAt = -1, unsigned seed = 1)
{
    return [&thread, failAt, random = std::make_shared<std::mt19937>(seed)](int block, RenderedRecords& into) {
        thread = std::this_thread::get_id();
        std::this_thread::sleep_for(std::chrono::microseconds((*random)() % 300));
        if (block == failAt)
            throw std::runtime_error("block " + std::to_string(block));
        into.bytes = QByteArray::number(block);
        into.findings.refusals << QString::number(block);
    };
}

struct Taken {
    QList<QByteArray> blocks;
    QStringList refusals;
    BlockTaker taker()
    {
        return [this](const RenderedRecords& block) {
            blocks << block.bytes;
            refusals << block.findings.refusals;
        };
    }
};

QList<QByteArray> Numbers(int from, int to)
{
    QList<QByteArray> numbers;
    for (int n = from; n < to; ++n)
        numbers << QByteArray::number(n);
    return numbers;
}

} // namespace

TEST(BlocksInOrder, EveryBlockIsTakenOnceAndInOrderWithTheOddOnesRenderedOnASecondThread)
{
    for (const int count : {0, 1, 2, 3, 57}) {
        std::thread::id here, there;
        Taken taken;
        RenderBlocksInOrder(count, Numbering(here, -1, 1), Numbering(there, -1, 2), taken.taker());
        EXPECT_EQ(taken.blocks, Numbers(0, count)) << count << " blocks";
        EXPECT_EQ(taken.refusals.size(), count) << "each block's findings come with it";
        if (count >= 2) {
            EXPECT_EQ(here, std::this_thread::get_id());
            EXPECT_NE(there, std::this_thread::get_id()) << "the odd blocks are rendered on another thread";
        } else {
            EXPECT_EQ(there, std::thread::id()) << "one block needs no second thread";
        }
    }
}

TEST(BlocksInOrder, AFailureIsRaisedAfterTheBlocksBeforeItAndNoneAfter)
{
    for (const int failing : {0, 1, 6, 7, 30}) {
        std::thread::id here, there;
        Taken taken;
        const bool odd = failing % 2 == 1;
        try {
            RenderBlocksInOrder(31, Numbering(here, odd ? -1 : failing), Numbering(there, odd ? failing : -1), taken.taker());
            ADD_FAILURE() << "block " << failing << " did not fail the work";
        } catch (const std::runtime_error& e) {
            EXPECT_EQ(std::string(e.what()), "block " + std::to_string(failing));
        }
        EXPECT_EQ(taken.blocks, Numbers(0, failing)) << "failing at block " << failing;
    }
}

TEST(BlocksInOrder, ATakerThatFailsStopsTheSecondThreadWithoutWaitingForTheRest)
{
    std::thread::id here, there;
    std::atomic<int> renderedThere{0};
    const BlockRenderer numbering = Numbering(there);
    const BlockRenderer counted = [&](int block, RenderedRecords& into) {
        ++renderedThere;
        numbering(block, into);
    };
    int taken = 0;
    EXPECT_THROW(RenderBlocksInOrder(
                     1001, Numbering(here), counted,
                     [&taken](const RenderedRecords&) {
                         if (++taken == 4)
                             throw std::runtime_error("the disk is full");
                     }),
                 std::runtime_error);
    EXPECT_EQ(taken, 4);
    EXPECT_LE(renderedThere.load(), 6) << "the second thread renders at most two blocks ahead of the taker";
}
