#pragma once
// The output file of one export: written as a temporary file beside the target and put
// in the target's place only when complete, so a failed save destroys nothing.

#include <string>

namespace cx::detail {

class TcxXLSOutputFile {
  public:
    // Creates the temporary file in the target's folder; EFCreateError when it (or the
    // target) cannot be created. `displayName` names the target in messages.
    TcxXLSOutputFile(std::string targetPath, std::string displayName);
    TcxXLSOutputFile(const TcxXLSOutputFile&) = delete;
    TcxXLSOutputFile& operator=(const TcxXLSOutputFile&) = delete;
    // Deletes the temporary file unless it was committed.
    ~TcxXLSOutputFile();

    int Descriptor() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    const std::string& TemporaryPath() const { return tempPath_; }
    const std::string& DisplayName() const { return displayName_; }
    // Closes the file and renames it over the target; EcxExportData on failure, after
    // which the temporary file is gone and the target untouched.
    void Commit();
    // Closes and deletes the temporary file.
    void Discard();

  private:
    std::string targetPath_;
    std::string displayName_;
    std::string tempPath_;
    int fd_ = -1;
};

// The file-system path of a file name given as Windows-1250 text with "\" or "/"
// separators: UTF-8, "/" separated.
std::string NativePathOf(std::u16string_view outputFileName);

}  // namespace cx::detail
