#pragma once
// What the options grid stores into a task when an edit is confirmed: the
// output name split at its last dot, and the typed start and end times checked
// against the task's bounds. A time that does not read, or that breaks a
// bound, is replaced by the task's current value, silently.
#include <string>

#include "tasks/TaskRecord.h"

struct TypedTaskOptions {
    std::string NewFilename;
    std::string StartTime;
    std::string EndTime;
};

struct StoredTaskOptions {
    std::string OutputName;
    std::string OutputExt;
    std::string Duration;
    std::string StartTime;
    std::string EndTime;
    bool operator==(const StoredTaskOptions&) const = default;
};

// `task` is the task read whole (its seconds fields computed from its texts).
// A task whose stored start or end does not read (a probe that found no
// length) keeps that text, and its duration, until a readable time replaces it:
// writing the unreadable value as a time would turn an unknown length into a
// zero-length cut.
StoredTaskOptions TaskOptionsToStore(const ltvItemData& task, const TypedTaskOptions& typed);
