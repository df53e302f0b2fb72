#pragma once
// The main window's template (102) created and shown, with every message box
// answered with OK and recorded.
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

struct HostDialogTest : ::testing::Test
{
    HostDialogTest()
    {
        ModalPrompts::SetMessageBoxAnswerer([this](const ModalPrompts::MessageBoxRequest& request) {
            messages.push_back(request);
            return IDOK;
        });
    }
    ~HostDialogTest() override { ModalPrompts::SetMessageBoxAnswerer(nullptr); }

    void SetUp() override
    {
        ASSERT_TRUE(main.Create(IDD_QUORVEL_DIALOG));
        main.ShowWindow(SW_SHOW);
    }

    std::vector<ModalPrompts::MessageBoxRequest> messages;
    CDialog main;
};
