#include <iostream>
#include <string>
#include <vector>

#include "Cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return verbal::cli::Run(args, verbal::cli::InstallationDirectory(), std::cout, std::cerr);
}
