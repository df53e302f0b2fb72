#pragma once
#include "scene/World.h"

#include <QString>

// The application object: it owns the one world, which lives as long as the
// application does, and runs the main window.
class CQuorvelApp
{
public:
    // Runs the main window until "Exit Program"; loads modelPath first when given.
    // Returns the process exit code.
    int InitInstance(const QString& modelPath = QString());

private:
    CWorld m_world;
};
