#pragma once

#include <cstddef>
#include <memory>
#include <string>

// One open options file, held exclusively until the object is destroyed.
class IConfigFile
{
public:
    virtual ~IConfigFile() = default;

    // Reads up to `size` bytes from offset 0 and returns how many arrived. Never throws: a read that fails
    // yields 0, so the caller sees an empty file.
    virtual std::size_t ReadFromStart(unsigned char* buffer, std::size_t size) = 0;

    // Writes `size` bytes at offset 0 without truncating and returns how many were written. Throws a
    // std::exception whose text says why when the file refuses the write.
    virtual std::size_t WriteAtStart(const unsigned char* buffer, std::size_t size) = 0;
};

// Opens options files. Tests substitute one that fails the way disks do.
class IConfigFileLayer
{
public:
    enum class Access {
        Read,
        Write,
    };

    virtual ~IConfigFileLayer() = default;

    // Opens an existing file without sharing it. Never creates a file. Throws a std::exception with the text
    // "Cannot open file <name>" when the file is missing, held by another opener or not accessible.
    virtual std::unique_ptr<IConfigFile> OpenExisting(const std::string& fileName, Access access) const = 0;
};
