#include <iostream>
#include <string>
#include <vector>

#include "App.h"

int main(int argc, char** argv) {
    return lexbuild::Run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
