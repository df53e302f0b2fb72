#pragma once

// What loading a model file did, for telling the user: whether every line was
// read, how much was added, and at which line the load stopped otherwise.
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
    };

    Outcome outcome = Outcome::Complete;
    // 1-based line at which the load stopped; 0 for a complete load.
    int stopLine = 0;
    // Every node added to the scene, parts of compound nodes included.
    int nodesAdded = 0;
    // The top-level objects among them.
    int objectsAdded = 0;

    bool IsComplete() const { return outcome == Outcome::Complete; }
};
