#include "app/ModelFile.h"
#include "app/QuorvelDlg.h"
#include "bench/HeldBytes.h"
#include "platform/win/Dialog.h"
#include "platform/win/ModalPrompts.h"
#include "resources/ResourceIds.h"
#include "scene/SceneNode.h"
#include "scene/World.h"
#include "ui/PlaceControlDialog.h"
#include "ui/PrimitiveSelect.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

// Crabs are nine nodes each: 1,111 crabs and the root make 10,000 nodes, 11,111 make 100,000.
int NodesOfCrabs(int crabs)
{
    return crabs * 9 + 1;
}

void AddCrabs(CWorld& world, int crabs)
{
    world.PrimitiveType = 0;
    for (int i = 0; i < crabs; ++i)
        world.CreateNodeAt(static_cast<float>(i % 40) * 1.25f - 24.0f,
                           static_cast<float>(i / 40 % 25) * 2.0f - 24.0f);
}

// A model file of the given number of crabs in a folder that lives as long as the object.
class CrabModelFile
{
public:
    explicit CrabModelFile(int crabs) : path_(folder_.filePath(QStringLiteral("crabs.qvl")))
    {
        CWorld world;
        AddCrabs(world, crabs);
        ModelFile::Save(world, path_, nullptr);
    }
    const QString& Path() const { return path_; }
    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QString path_;
};

// A world of crabs and the selection panel whose hierarchy holds its scene tree,
// placed on a main window as the editor places it.
struct TreeOfCrabs
{
    explicit TreeOfCrabs(int crabs) : selectPanel(world)
    {
        AddCrabs(world, crabs);
        host.Create(IDD_QUORVEL_DIALOG);
        PlaceControlDialog(&host, IDC_MAIN_CONTROLS, &selectPanel, IDD_PRIMITIVE_SELECT);
    }
    CSceneTreeControl& Tree() { return selectPanel.GetHierarchy().GetSceneTree(); }

    CWorld world;
    CDialog host;
    primitiveSelect selectPanel;
};

} // namespace

// Emptying the scene tree and filling it again from the world, as every load does.
static void BM_SceneTreeFill(benchmark::State& state)
{
    TreeOfCrabs crabs(static_cast<int>(state.range(0)));
    CSceneTreeControl& tree = crabs.Tree();
    for (auto _ : state)
        tree.RebuildTree();
    const int nodes = NodesOfCrabs(static_cast<int>(state.range(0)));
    state.counters["nodes"] = nodes;
    state.counters["us_per_node"] = benchmark::Counter(
        double(nodes) * 1e-6, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SceneTreeFill)->Arg(1111)->Arg(3333)->Arg(11111)->Unit(benchmark::kMillisecond);

// Selecting the last node of a filled tree, as undo and the views do: its item is
// found and shown, which must not walk the tree more than once.
static void BM_SceneTreeShowLastNode(benchmark::State& state)
{
    TreeOfCrabs crabs(static_cast<int>(state.range(0)));
    CWorld& world = crabs.world;
    CSceneTreeControl& tree = crabs.Tree();
    tree.RebuildTree();
    TAV_SceneNode* last = world.Root->GetChild(world.Root->NumChildren() - 1);
    while (last->NumChildren() > 0)
        last = last->GetChild(last->NumChildren() - 1);
    for (auto _ : state) {
        tree.ShowNode(last);
        if (world.CurrentNode != last) {
            state.SkipWithError("the node was not selected");
            break;
        }
    }
    const int nodes = NodesOfCrabs(static_cast<int>(state.range(0)));
    state.counters["nodes"] = nodes;
}
BENCHMARK(BM_SceneTreeShowLastNode)->Arg(1111)->Arg(11111)->Unit(benchmark::kMillisecond);

// The editor started on a model of 100,000 nodes: main window, views, panels, the
// model read and the scene tree filled.
static void BM_OpenHundredThousandNodeModel(benchmark::State& state)
{
    ModalPrompts::SetMessageBoxAnswerer([](const ModalPrompts::MessageBoxRequest&) { return IDOK; });
    const CrabModelFile model(11111);
    for (auto _ : state) {
        CWorld world;
        CQuorvelDlg dialog(world);
        dialog.SetRecoveryFolder(model.Folder());
        dialog.SetStartupModel(model.Path());
        if (!dialog.Create(IDD_QUORVEL_DIALOG)) {
            state.SkipWithError("the main window could not be created");
            break;
        }
        if (world.Root->NumChildren() != 11111) {
            state.SkipWithError("the model was not loaded");
            break;
        }
        dialog.DestroyWindow();
    }
    ModalPrompts::SetMessageBoxAnswerer({});
}
BENCHMARK(BM_OpenHundredThousandNodeModel)->Unit(benchmark::kMillisecond)->Iterations(2);

// Heap bytes a loaded node holds: the growth of the heap while a 100,000-node model is read.
static void BM_BytesPerLoadedNode(benchmark::State& state)
{
    const CrabModelFile model(11111);
    double bytesPerNode = 0.0;
    for (auto _ : state) {
        CWorld world;
        const std::size_t before = HeldBytes();
        ModelFile::Load(world, model.Path());
        const std::size_t after = HeldBytes();
        bytesPerNode = double(after - before) / NodesOfCrabs(11111);
    }
    state.counters["bytes_per_node"] = bytesPerNode;
    state.counters["share_of_300_bytes"] = bytesPerNode / 300.0;
}
BENCHMARK(BM_BytesPerLoadedNode)->Unit(benchmark::kMillisecond)->Iterations(2);
