// The scenario driver for the tests' own build of the module, which compares
// the WebAssembly core with the native one; the page's module leaves it out.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <sstream>
#include <string>

#include "tools/scenario/scenario_runner.h"

namespace vantrell::web {
namespace {

emscripten::val RunScenario(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = scenario::ScenarioRunner(out, err).Run(in);
    emscripten::val result = emscripten::val::object();
    result.set("status", status);
    result.set("out", out.str());
    result.set("err", err.str());
    return result;
}

}  // namespace

EMSCRIPTEN_BINDINGS(vantrell_scenario) { emscripten::function("runScenario", &RunScenario); }

}  // namespace vantrell::web
