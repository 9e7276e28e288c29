#include "engine/soil/bmwall_file.h"

#include <fstream>

#include "engine/base/fixed_format.h"

namespace vornel::soil {

std::string bmwall_text(const std::vector<PressureRow>& points) {
    std::string text;
    text.reserve(16 + points.size() * 58);
    text.push_back(' ');
    text.append(std::to_string(points.size()));
    text.push_back('\n');
    for (const PressureRow& r : points) {
        fmt::put_x(text, 5);
        fmt::put_e(text, r.depth, 10, 3);
        fmt::put_x(text, 4);
        fmt::put_e(text, r.p1, 10, 3);
        fmt::put_x(text, 4);
        fmt::put_e(text, r.p2, 10, 3);
        fmt::put_x(text, 4);
        fmt::put_e(text, r.p3, 10, 3);
        text.push_back('\n');
    }
    return text;
}

bool write_bmwall_file(const std::filesystem::path& path, const std::vector<PressureRow>& points) {
    // A fresh file rather than a truncated one: the file system then has no old blocks to
    // give back and no reason to flush the replaced contents on close.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    const std::string text = bmwall_text(points);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    return static_cast<bool>(file);
}

}  // namespace vornel::soil
