#include "run_calculator.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace viskora::testing {
namespace {

std::string quoted(const std::string& text) {
    std::string result = "'";
    for (char c : text) {
        if (c == '\'') {
            result += "'\\''";
        } else {
            result += c;
        }
    }
    return result + "'";
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

CalculatorRun runCalculator(const std::vector<std::string>& arguments) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string stem = "viskora-calc-test-" + std::to_string(::getpid());
    const std::filesystem::path outPath = folder / (stem + ".out");
    const std::filesystem::path errPath = folder / (stem + ".err");
    std::string command = quoted(VISKORA_CALC_PATH);
    for (const std::string& argument : arguments) {
        command += " " + quoted(argument);
    }
    command += " >" + quoted(outPath.string()) + " 2>" + quoted(errPath.string()) + " </dev/null";
    const int status = std::system(command.c_str());
    CalculatorRun run;
    run.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = readFile(outPath);
    run.err = readFile(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return run;
}

} // namespace viskora::testing
