#pragma once
// A set of files written beside their final names and put in place together. Until Commit the
// folder keeps exactly the files it had; Commit either puts every new file in place or, when a
// rename fails, gives the folder back its earlier files byte for byte. Never a mixed set.
#include <optional>
#include <vector>

#include "System.h"

class TFileSetReplacement {
public:
    explicit TFileSetReplacement(std::vector<String> targets);
    // Removes the temporary files; files set aside that could not be put back stay for the user.
    ~TFileSetReplacement();
    TFileSetReplacement(const TFileSetReplacement&) = delete;
    TFileSetReplacement& operator=(const TFileSetReplacement&) = delete;

    // Reserves a temporary name in the same folder for each target, "<target>.<n>.tmp", created
    // empty so that no other file takes it. Answers the target for which that failed.
    std::optional<String> Prepare();
    // Where the new content of target i is to be written (after Prepare).
    const String& TemporaryName(std::size_t i) const { return FTemporaries[i]; }

    // Sets the earlier files aside, moves the new ones in, then deletes the earlier ones. Answers
    // the target that could not be set aside or replaced (the earlier set is back in place then).
    std::optional<String> Commit();

private:
    void RollBack(std::size_t placed);

    std::vector<String> FTargets;
    std::vector<String> FTemporaries;
    std::vector<String> FSetAside; // empty where the target did not exist
};
