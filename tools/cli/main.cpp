#include <iostream>
#include <string>
#include <vector>

#include "tools/cli/cli_app.h"

int main(int argc, char** argv) {
    const std::vector<std::string> arguments(argv, argv + argc);
    return vantrell::cli::RunCli(arguments, std::cout, std::cerr);
}
