#pragma once

// Sets the C heap up for scenes of a hundred thousand nodes; call first thing in
// main. Emptying the scene tree frees several small blocks a node at once. With
// the heap's fast bins those blocks are merged only when a large block is asked
// for next, in one pass over all of them that misses the cache at every block,
// so refilling the tree took ever longer per node as the scene grew. Without
// fast bins a freed block merges with its neighbours as it is freed, and the
// tree fills in time linear in the number of nodes.
void TuneHeapForLargeScenes();
