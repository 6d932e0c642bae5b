#pragma once
// The record of one task: eleven texts and six seconds values derived from
// the time texts with ParseTimeText.
#include <string>

struct ltvItemData {
    std::string InputFile;
    std::string Length;
    std::string Size;
    std::string Status;
    std::string OutputName;
    std::string OutputExt;
    std::string SourceStart;
    std::string SourceEnd;
    std::string Duration;
    std::string StartTime;
    std::string EndTime;
    double LengthSec = 0;
    double SourceStartSec = 0;
    double SourceEndSec = 0;
    double DurationSec = 0;
    double StartSec = 0;
    double EndSec = 0;
};

// Part numbers of GetItemData / SetItemData: -2 whole, -1 input file, 0..9 sub-items.
constexpr int PartWhole = -2;
constexpr int PartInputFile = -1;
constexpr int PartLength = 0;
constexpr int PartSize = 1;
constexpr int PartStatus = 2;
constexpr int PartOutputName = 3;
constexpr int PartOutputExt = 4;
constexpr int PartSourceStart = 5;
constexpr int PartSourceEnd = 6;
constexpr int PartDuration = 7;
constexpr int PartStartTime = 8;
constexpr int PartEndTime = 9;
constexpr int SubItemCount = 10;

// The text field of a sub-item part (0..9); nullptr for any other part.
std::string* SubItemField(ltvItemData& record, int part);
const std::string* SubItemField(const ltvItemData& record, int part);
// Recomputes the seconds value that belongs to a part (0, 5..9); no-op otherwise.
void RecomputeSeconds(ltvItemData& record, int part);
void RecomputeAllSeconds(ltvItemData& record);

// The record a new task gets from its path and probe results.
ltvItemData NewTaskRecord(const std::string& inputFile, const std::string& probeLength,
                          const std::string& probeSize, const std::string& outputExtension);
