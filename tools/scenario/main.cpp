#include <iostream>

#include "tools/scenario/scenario_runner.h"

int main() {
    std::ios::sync_with_stdio(false);
    vantrell::scenario::ScenarioRunner runner(std::cout, std::cerr);
    return runner.Run(std::cin);
}
