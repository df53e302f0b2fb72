#pragma once
#include <string>

// What loading a model or scene file did, for telling the user: whether
// everything was read, how much was added, and where the load stopped otherwise.
struct ModelLoadResult
{
    enum class Outcome {
        // Every line was read.
        Complete,
        // A line that is not twelve readable fields; nothing was made from it.
        UnreadableLine,
        // A line nested more levels deep than a model may have.
        NestedTooDeep,
        // Lines after the end of the one record tree a model holds.
        LinesAfterModel,
        // The file ends before the children its lines announce; missing says how many.
        EndsEarly,
        // The file is empty or holds only blanks.
        NoModel,
        // A scene document that was refused as a whole and added nothing; detail says why.
        Refused,
    };

    Outcome outcome = Outcome::Complete;
    // 1-based line at which the load stopped; 0 for a complete load.
    int stopLine = 0;
    // Every node added to the scene, parts of compound nodes included.
    int nodesAdded = 0;
    // The top-level objects among them.
    int objectsAdded = 0;
    // Announced nodes whose lines never came, for EndsEarly.
    long long missing = 0;
    // Why a scene document was refused, for Refused.
    std::string detail;

    bool IsComplete() const { return outcome == Outcome::Complete; }
};
