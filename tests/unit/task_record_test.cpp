#include <gtest/gtest.h>

#include <string>

#include "tasks/TaskRecord.h"

namespace {

TEST(TaskRecord, NewRecordFromProbe)
{
    const ltvItemData record = NewTaskRecord("/videos/My.Holiday.AVI", "00:01:23.45", "640x480", ".mp4");
    EXPECT_EQ(record.InputFile, "/videos/My.Holiday.AVI");
    EXPECT_EQ(record.Length, "00:01:23.45");
    EXPECT_EQ(record.Size, "640x480");
    EXPECT_EQ(record.Status, "OK");
    EXPECT_EQ(record.OutputName, "My.Holiday");
    EXPECT_EQ(record.OutputExt, ".mp4");
    EXPECT_EQ(record.SourceStart, "00:00:00.0");
    EXPECT_EQ(record.SourceEnd, "00:01:23.45");
    EXPECT_EQ(record.Duration, "00:01:23.45");
    EXPECT_EQ(record.StartTime, "00:00:00.0");
    EXPECT_EQ(record.EndTime, "00:01:23.45");
    EXPECT_DOUBLE_EQ(record.LengthSec, 83.45);
    EXPECT_DOUBLE_EQ(record.SourceStartSec, 0);
    EXPECT_DOUBLE_EQ(record.SourceEndSec, 83.45);
    EXPECT_DOUBLE_EQ(record.DurationSec, 83.45);
    EXPECT_DOUBLE_EQ(record.StartSec, 0);
    EXPECT_DOUBLE_EQ(record.EndSec, 83.45);
}

// A probe that read nothing leaves empty texts, whose seconds are -1.
TEST(TaskRecord, EmptyProbeGivesUnreadableSeconds)
{
    const ltvItemData record = NewTaskRecord("noext", "", "", ".mp4");
    EXPECT_EQ(record.OutputName, "noext");
    EXPECT_EQ(record.LengthSec, -1);
    EXPECT_EQ(record.EndSec, -1);
    EXPECT_EQ(record.StartSec, 0);
}

TEST(TaskRecord, SubItemPartsAddressTheTenTexts)
{
    ltvItemData record;
    std::string* const expected[SubItemCount] = {
        &record.Length, &record.Size, &record.Status, &record.OutputName, &record.OutputExt,
        &record.SourceStart, &record.SourceEnd, &record.Duration, &record.StartTime, &record.EndTime,
    };
    const ltvItemData& constant = record;
    for (int part = 0; part < SubItemCount; ++part) {
        EXPECT_EQ(SubItemField(record, part), expected[part]) << part;
        EXPECT_EQ(SubItemField(constant, part), expected[part]) << part;
    }
    for (int part : {PartWhole, PartInputFile, SubItemCount, 42}) {
        EXPECT_EQ(SubItemField(record, part), nullptr) << part;
        EXPECT_EQ(SubItemField(constant, part), nullptr) << part;
    }
}

TEST(TaskRecord, RecomputesOnlyTheSecondsOfItsPart)
{
    ltvItemData record;
    for (int part = 0; part < SubItemCount; ++part)
        *SubItemField(record, part) = "0:0:" + std::to_string(part + 1);
    for (int part = PartWhole; part <= SubItemCount; ++part) {
        ltvItemData changed = record;
        RecomputeSeconds(changed, part);
        const double seconds[] = {changed.LengthSec, changed.SourceStartSec, changed.SourceEndSec,
                                  changed.DurationSec, changed.StartSec, changed.EndSec};
        const int parts[] = {PartLength, PartSourceStart, PartSourceEnd, PartDuration, PartStartTime, PartEndTime};
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(seconds[i], parts[i] == part ? part + 1 : 0) << "part " << part << " field " << i;
    }
    RecomputeAllSeconds(record);
    EXPECT_EQ(record.LengthSec, 1);
    EXPECT_EQ(record.SourceStartSec, 6);
    EXPECT_EQ(record.EndSec, 10);
}

} // namespace
