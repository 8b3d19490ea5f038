#include "GuiTest.h"

#include <QApplication>
#include <QWidget>

void GuiTest::TearDown()
{
    QStringList open;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        open << window->windowTitle();
        window->hide();
    }
    EXPECT_TRUE(open.isEmpty()) << "windows left open: " << open.join(", ").toStdString();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
