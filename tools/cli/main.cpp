#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "core/texts/translation.h"
#include "tools/cli/cli_app.h"

namespace {

// The languages the environment asks for, as gettext reads them: LANGUAGE's list first, then the locale's.
std::vector<std::string> WantedLanguages() {
    std::vector<std::string> wanted;
    if (const char* list = std::getenv("LANGUAGE")) {
        const std::string languages(list);
        for (std::size_t start = 0; start <= languages.size();) {
            const std::size_t end = std::min(languages.find(':', start), languages.size());
            wanted.push_back(languages.substr(start, end - start));
            start = end + 1;
        }
    }
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            wanted.emplace_back(value);
            break;
        }
    }
    return wanted;
}

}  // namespace

int main(int argc, char** argv) {
    vantrell::texts::UseLanguage(vantrell::texts::LanguageFor(WantedLanguages()));
    const std::vector<std::string> arguments(argv, argv + argc);
    return vantrell::cli::RunCli(arguments, std::cout, std::cerr);
}
