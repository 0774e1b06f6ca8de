// Reads the tab-separated reference files under tests/data.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace vemla::test {

struct TsvTable {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;

    int column(const std::string& name) const {
        for (size_t i = 0; i < header.size(); ++i)
            if (header[i] == name) return static_cast<int>(i);
        throw std::runtime_error("no column " + name);
    }
};

// Lines starting with '#' are comments; the first other line is the header.
inline TsvTable ReadTsv(const std::string& file_name) {
    std::ifstream in(std::string(VEMLA_TEST_DATA_DIR) + "/" + file_name);
    if (!in) throw std::runtime_error("cannot open test data " + file_name);
    TsvTable table;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream ss(line);
        std::string field;
        while (std::getline(ss, field, '\t')) fields.push_back(field);
        if (line.back() == '\t') fields.emplace_back();
        if (table.header.empty())
            table.header = fields;
        else
            table.rows.push_back(fields);
    }
    return table;
}

}  // namespace vemla::test
