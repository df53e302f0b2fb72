#pragma once
// The main window's template created and shown, with every message box answered with OK and recorded.
#include "platform/win/Dialog.h"
#include "platform/win/ModalPrompts.h"
#include "resources/ResourceIds.h"

#include <gtest/gtest.h>
#include <tuple>
#include <vector>

inline auto Corners(const RECT& r)
{
    return std::make_tuple(r.left, r.top, r.right, r.bottom);
}

// A message box's text, caption, type and owner, to compare in one go.
inline auto Fields(const ModalPrompts::MessageBoxRequest& m)
{
    return std::tie(m.text, m.caption, m.type, m.owner);
}

struct HostDialogTest : ::testing::Test
{
    void SetUp() override
    {
        ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
            messages.push_back(request);
            return IDOK;
        });
        ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
        main.ShowWindow(SW_SHOW);
    }
    void TearDown() override { ModalPrompts::SetMessageBoxAnswerer(nullptr); }

    std::vector<ModalPrompts::MessageBoxRequest> messages;
    CDialog main;
};
