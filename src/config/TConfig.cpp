#include "TConfig.h"

#include "TExError.h"
#include "TPosixConfigFileLayer.h"

#include <algorithm>
#include <array>
#include <exception>
#include <stdexcept>
#include <string>

namespace {

using TImage = std::array<unsigned char, TConfig::FileSize>;

constexpr std::size_t SignatureOffset = 4;
constexpr std::size_t RunModeOffset = 8;
constexpr std::size_t CheckForwardDaysOffset = 12;
constexpr std::size_t AutoCloseMinutesOffset = 16;
constexpr std::size_t AlwaysOnTopOffset = 20;
constexpr std::size_t RemindWithOffset = 24;
constexpr std::size_t RemindAtOffset = 28;

std::uint32_t GetUInt32(const TImage& image, std::size_t offset)
{
    return static_cast<std::uint32_t>(image[offset]) | static_cast<std::uint32_t>(image[offset + 1]) << 8 |
           static_cast<std::uint32_t>(image[offset + 2]) << 16 | static_cast<std::uint32_t>(image[offset + 3]) << 24;
}

std::int32_t GetInt32(const TImage& image, std::size_t offset)
{
    return static_cast<std::int32_t>(GetUInt32(image, offset));
}

void PutInt32(TImage& image, std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (std::size_t i = 0; i < 4; ++i)
        image[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
}

// An empty failure text goes into the log as "(null)", as the record prints any absent text.
const char* FailureText(const std::exception& failure)
{
    const char* text = failure.what();
    return text != nullptr && *text != '\0' ? text : nullptr;
}

const TPosixConfigFileLayer& RealFiles()
{
    static const TPosixConfigFileLayer files;
    return files;
}

} // namespace

TConfig::TConfig() : m_files(&RealFiles()) {}

TConfig::TConfig(const IConfigFileLayer& files) : m_files(&files) {}

void TConfig::Load(const std::string& fileName)
{
    try {
        TImage image = {};
        const auto file = m_files->OpenExisting(fileName, IConfigFileLayer::Access::Read);
        const std::size_t got = file->ReadFromStart(image.data(), image.size());
        // Whatever a short or failed read left behind is not file content.
        std::fill(image.begin() + static_cast<std::ptrdiff_t>(std::min(got, image.size())), image.end(), 0);

        if (GetUInt32(image, SignatureOffset) != ConfigSignature) {
            TExError error;
            error.AddEntry(0, "", "", "Invalid config file signature");
            throw error;
        }

        RunMode = static_cast<std::int8_t>(image[RunModeOffset]);
        CheckForwardDays = GetInt32(image, CheckForwardDaysOffset);
        AutoCloseMinutes = GetInt32(image, AutoCloseMinutesOffset);
        AlwaysOnTop = GetInt32(image, AlwaysOnTopOffset);
        RemindWith = GetInt32(image, RemindWithOffset);
        RemindAt = GetInt32(image, RemindAtOffset);
    } catch (TExError& error) {
        error.AddEntry(0, "TConfig", "Load", "Error loading file: %s", fileName);
        throw TExError(error);
    } catch (const std::exception& failure) {
        TExError error;
        error.AddEntry(0, "TConfig", "Load", "Error loading file: %s [%s]", fileName, FailureText(failure));
        throw error;
    }
}

void TConfig::Save(const std::string& fileName)
{
    try {
        TImage image = {};
        PutInt32(image, SignatureOffset, static_cast<std::int32_t>(ConfigSignature));
        PutInt32(image, RunModeOffset, RunMode);
        PutInt32(image, CheckForwardDaysOffset, CheckForwardDays);
        PutInt32(image, AutoCloseMinutesOffset, AutoCloseMinutes);
        PutInt32(image, AlwaysOnTopOffset, AlwaysOnTop);
        PutInt32(image, RemindWithOffset, RemindWith);
        PutInt32(image, RemindAtOffset, RemindAt);

        const auto file = m_files->OpenExisting(fileName, IConfigFileLayer::Access::Write);
        const std::size_t written = file->WriteAtStart(image.data(), image.size());
        // A short write leaves a torn image in the file; it must not pass for a saved one.
        if (written != image.size())
            throw std::runtime_error("Cannot write file " + fileName + " (" + std::to_string(written) + " of " +
                                     std::to_string(image.size()) + " bytes written)");
    } catch (TExError& error) {
        error.AddEntry(0, "TConfig", "Save", "Error saving file: %s", fileName);
        throw TExError(error);
    } catch (const std::exception& failure) {
        TExError error;
        error.AddEntry(0, "TConfig", "Save", "Error saving file: %s [%s]", fileName, FailureText(failure));
        throw error;
    }
}
