#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"
#include "Installation.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return verbal::cli::Run(args, verbal::InstallationDirectory().string(), std::cout, std::cerr);
}
