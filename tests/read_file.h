#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A whole file as bytes; empty when it cannot be read.
inline std::string slurp(const std::filesystem::path& p)
{
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}
