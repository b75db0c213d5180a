// The temporary files of our saves, and clearing away those that killed saves left behind.
//
// A save of NAME writes to ".NAME.tmp-XXXXXX" beside it (six letters or digits chosen by
// mkstemp) and holds an exclusive flock on it until the rename; a save that is killed leaves
// the file behind, and the system releases its lock.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel {

// On a file system that keeps no locks, a temporary younger than this may belong to a save
// that is still running.
inline constexpr std::chrono::seconds kStaleTemporaryAge{3600};

// The mkstemp pattern for a temporary beside the file named `targetName` (no folder).
std::string temporaryNamePattern(std::string_view targetName);

// Whether `name` (no folder) is exactly a temporary name of our saves of `targetName`.
bool isTemporaryNameOf(std::string_view name, std::string_view targetName);

// Removes, from the folder of `target`, every regular file named as a temporary of `target`
// that no running save holds locked: its maker is gone, however young the file. Where the
// file system keeps no locks, one whose last change is at least `minAge` old. Anything else
// in the folder is left alone. Best effort: what cannot be examined or removed stays,
// without an error. Returns how many files were removed.
std::size_t removeStaleTemporaries(const std::string& target,
                                   std::chrono::seconds minAge = kStaleTemporaryAge);

}  // namespace quorvel
