// Prints a libFuzzer dictionary of the driver's words and every class name and
// stem in the catalog, so the fuzzer reaches real planners instead of spending
// its time on unknown names.

#include <iostream>
#include <set>
#include <string>
#include <string_view>

#include "core/catalog/class_catalog.h"

int main() {
    std::set<std::string> words{"open ",   "level ", "slide ",  "click ",    "show\n",     "priority ",      "path\n",
                                "apply ",  "undo\n", "redo\n",  "history\n", "save ",      "load ",          "delete ",
                                "rename ", " => ",   "plans\n", "compare ",  "complete\n", "compare-saved ", "#",
                                "\r\n",    " 50\n",  " 6\n",    " 101\n",    "VT1:",       ":50:",           "#VT1:"};
    for (const vantrell::catalog::ClassDefinition* definition : vantrell::catalog::ClassCatalog::AllClasses()) {
        words.insert(std::string(definition->listName));
        for (const vantrell::catalog::SpecLineDefinition& line : definition->lines) {
            words.insert(std::string(line.stem));
        }
    }
    for (const std::string& word : words) {
        std::cout << '"';
        for (const char c : word) {
            // The dictionary format knows only \\, \" and \xNN escapes.
            if (c == '\n')
                std::cout << "\\x0A";
            else if (c == '\r')
                std::cout << "\\x0D";
            else if (c == '"' || c == '\\')
                std::cout << '\\' << c;
            else
                std::cout << c;
        }
        std::cout << "\"\n";
    }
}
