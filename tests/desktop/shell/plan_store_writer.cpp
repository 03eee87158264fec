// Saves plans through a plan store, as one of several programs sharing a library:
//   plan_store_writer <folder> <name prefix> <count>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/planner/session.h"
#include "desktop/shell/plan_store.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 4) return 2;
    vantrell::planner::Session session;
    session.Open("Healer");
    vantrell::shell::PlanStore store(QString::fromLocal8Bit(argv[1]), session.library(),
                                   [](QWidget*, const vantrell::toolkit::MessageRequest& request) {
                                       std::fprintf(stderr, "%s\n", request.text.toLocal8Bit().constData());
                                   });
    const std::string prefix = argv[2];
    const int count = std::atoi(argv[3]);
    for (int index = 0; index < count; ++index) {
        const std::string fault = store.Change(
            [&](vantrell::planner::PlanLibrary&) { return session.SaveCurrent(prefix + std::to_string(index)); });
        if (!fault.empty()) {
            std::fprintf(stderr, "%s\n", fault.c_str());
            return 1;
        }
    }
    return 0;
}
