#include "tools/demo/DemoDialog.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvel"));
    DemoDialog dialog;
    dialog.DoModal();
    return 0;
}
