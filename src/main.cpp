#include "DDataManager.h"

#include <QApplication>

// Until the main window exists, the program creates its data manager (folders, settings,
// daily log) and exits.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    DDataManager::getInstance();
    return 0;
}
