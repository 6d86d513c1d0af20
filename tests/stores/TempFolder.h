#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>

// A private folder under the system's temporary folder, removed with everything in it.
class TTempFolder final
{
public:
    TTempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "nelvora-wab-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TTempFolder()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

    std::filesystem::path Write(const std::string& relative, std::string_view bytes) const
    {
        const auto path = m_path / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }

private:
    std::filesystem::path m_path;
};

inline std::string OneCard(std::string_view name, std::string_view uid = {})
{
    std::string text = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:";
    text.append(name).append("\r\n");
    if (!uid.empty())
        text.append("UID:").append(uid).append("\r\n");
    return text + "END:VCARD\r\n";
}
