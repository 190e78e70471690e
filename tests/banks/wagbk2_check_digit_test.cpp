// The post office check digit and the account parts of the transfer table.
#include "banks/wagbk2/check_digit.h"
#include "banks/wagbk2/wagbk2.h"

#include <gtest/gtest.h>

namespace {

TEST(Bank2CheckDigit, TheWorkedExampleAndTheRemaindersZeroAndOne)
{
    EXPECT_EQ(PostOfficeCheckDigit(u"001234"), QChar('6')) << "s = 60, 60 mod 11 = 5";
    EXPECT_FALSE(PostOfficeGroupValid(u"0012345"));
    EXPECT_TRUE(PostOfficeGroupValid(u"0012346"));
    EXPECT_TRUE(PostOfficeGroupValid(u"0000171")) << "remainder 0 needs 1";
    EXPECT_TRUE(PostOfficeGroupValid(u"0000080")) << "remainder 1 needs 0";
    EXPECT_TRUE(PostOfficeGroupValid(u"0000001"));
}

TEST(Bank2CheckDigit, OnlySixDigitsAndTheirCheckDigitPass)
{
    EXPECT_FALSE(PostOfficeGroupValid(u"001234")) << "too short";
    EXPECT_TRUE(PostOfficeGroupValid(u"00123469")) << "the first seven count";
    EXPECT_FALSE(PostOfficeGroupValid(u"00A2346"));
    EXPECT_FALSE(PostOfficeGroupValid(u"0012 46"));
    EXPECT_FALSE(PostOfficeGroupValid(u"001234X"));
    EXPECT_FALSE(PostOfficeGroupValid(QString::fromUtf16(u"００１２３４６"))) << "full-width digits are not digits here";
    EXPECT_FALSE(PostOfficeCheckDigit(u"12345"));
}

TEST(Bank2CheckDigit, BureauAndAccountPartsOfTheTransferTable)
{
    EXPECT_EQ(AccountPart("70012345678901", 0), "700123-4");
    EXPECT_EQ(AccountPart("70012345678901", 7), "567890-1");
    EXPECT_EQ(AccountPart("1234", 0), "1234  -") << "short: padded, then the dash alone";
    EXPECT_EQ(AccountPart("700123", 0), "700123-");
    EXPECT_EQ(AccountPart("7001234", 7), "      -");
}

TEST(Bank2CheckDigit, TheTwoFileNamesInOneColumn)
{
    EXPECT_EQ(FileNameOf("PAY1;ACC1", PostOfficeFile::Deposit), "PAY1");
    EXPECT_EQ(FileNameOf("PAY1;ACC1", PostOfficeFile::AccountData), "ACC1");
    EXPECT_EQ(FileNameOf("", PostOfficeFile::AccountData), "TDOP-PAY");
    EXPECT_EQ(FileNameOf("ONE", PostOfficeFile::AccountData), "ONE") << "a name without ';' stands for both";
    EXPECT_EQ(FileNamesAfterExport("PAY1;ACC1", PostOfficeFile::AccountData, "NEW.TXT"), "PAY1;NEW.TXT");
    EXPECT_EQ(FileNamesAfterExport("PAY1;ACC1", PostOfficeFile::Deposit, "NEW.TXT"), "NEW.TXT;ACC1");
    EXPECT_EQ(FileNamesAfterExport("", PostOfficeFile::Deposit, "NEW.TXT"), "NEW.TXT;TDOP-PAY");
    EXPECT_EQ(FileNamesAfterExport("ONE", PostOfficeFile::Deposit, "NEW.TXT"), "NEW.TXT");
}

} // namespace
