#include "tools/cli/cli_app.h"

#include <CLI/CLI.hpp>
#include <algorithm>

#include "core/texts/cli_texts.h"
#include "core/texts/translation.h"
#include "core/texts/unicode.h"
#include "tools/cli/cli_commands.h"
#include "vantrell_version.h"

namespace vantrell::cli {
namespace {

namespace words = texts::cli;

constexpr std::size_t kLongestReason = 200;

// One line, and only an excerpt of whatever it quotes: an argument may be of any length.
std::string OneLine(std::string_view reason) {
    std::string line(texts::FirstCodePoints(reason, kLongestReason));
    if (line.size() < reason.size()) line += "\u2026";
    std::replace(line.begin(), line.end(), '\n', ' ');
    std::replace(line.begin(), line.end(), '\r', ' ');
    return line;
}

struct Arguments {
    std::string code;
    std::string codeB;
    std::string format = "text";
    std::vector<std::string> priority;
    std::string realm;
};

CLI::App* AddCommand(CLI::App& app, std::string_view name, std::string_view description, Arguments& arguments) {
    CLI::App* command = app.add_subcommand(std::string(name), std::string(description));
    command->add_option("--format", arguments.format, std::string(words::kFormatOption));
    return command;
}

}  // namespace

int RunCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    CLI::App app{std::string(words::kDescription), std::string(words::kProgramName)};
    app.set_version_flag("--version", std::string(words::kProgramName).append(" ").append(kVersion));
    app.require_subcommand(1);
    Arguments given;
    CLI::App* show = AddCommand(app, "show", words::kShow, given);
    show->add_option("code", given.code, std::string(words::kCodeArgument))->required();
    CLI::App* path = AddCommand(app, "path", words::kPath, given);
    path->add_option("code", given.code, std::string(words::kCodeArgument))->required();
    path->add_option("--priority", given.priority, std::string(words::kPriorityOption))->delimiter(',');
    CLI::App* compare = AddCommand(app, "compare", words::kCompare, given);
    compare->add_option("a", given.code, std::string(words::kCodeA))->required();
    compare->add_option("b", given.codeB, std::string(words::kCodeB))->required();
    CLI::App* classes = AddCommand(app, "classes", words::kClasses, given);
    CLI::Option* realm = classes->add_option("--realm", given.realm, std::string(words::kRealmOption));

    std::vector<const char*> argv;
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) return app.exit(error, out, err);
        err << words::kProgramName << ": " << OneLine(error.what()) << '\n';
        return kRefused;
    }
    // The JSON is for programs, which read it the same in every language.
    if (given.format == "json") texts::UseLanguage(texts::kSourceLanguage);
    const Outcome outcome = show->parsed()      ? Show(given.code, given.format)
                            : path->parsed()    ? Path(given.code, given.priority, given.format)
                            : compare->parsed() ? Compare(given.code, given.codeB, given.format)
                                                : Classes(realm->count() > 0 ? std::optional(given.realm) : std::nullopt,
                                                          given.format);
    if (!outcome.fault.empty()) {
        err << words::kProgramName << ": " << OneLine(outcome.fault) << '\n';
        return kRefused;
    }
    out << outcome.text;
    return kDone;
}

}  // namespace vantrell::cli
