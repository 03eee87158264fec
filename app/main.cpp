#include <QApplication>
#include <QStyle>

#include "catalog/class_catalog.h"
#include "planner/window/class_planner_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle("Fusion");
    const char* name = argc > 1 ? argv[1] : "Healer";
    vantrell::window::ClassPlannerWindow window(*vantrell::catalog::ClassCatalog::Find(name));
    window.resize(501, 322);
    window.show();
    return QApplication::exec();
}
