#include "core/Echo.h"
#include "platform/win/WindowHandles.h"

#include <QLabel>
#include <gtest/gtest.h>

TEST(Echo, WritesOnlyToALiveEchoWindow)
{
    auto* label = new QLabel(QStringLiteral("Message Echo"));
    EchoWindow = WindowHandles::HandleOf(label);
    EchoMessage(L"Model Loaded...");
    EXPECT_EQ(label->text(), QStringLiteral("Model Loaded..."));

    delete label;
    EchoMessage(L"after destruction"); // the handle is stale: must not touch freed memory
    EchoWindow = nullptr;
}
