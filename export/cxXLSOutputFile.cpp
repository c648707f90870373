#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "export/cxExport.h"
#include "export/detail/cxXLSOutputFile.h"
#include "platform/CodePage.h"
#include "platform/InOutError.h"

namespace cx::detail {
namespace {

constexpr int kTemporaryNameAttempts = 100;

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

[[noreturn]] void failCreate(const std::string& path, int error) {
    throw EFCreateError(platform::fileErrorText("Cannot create file", path, error));
}

}  // namespace

std::string NativePathOf(std::u16string_view outputFileName) {
    std::string path =
        platform::cp1250ToUtf8(platform::wideToMultiByte(platform::kAnsiCodePage, outputFileName));
    std::replace(path.begin(), path.end(), '\\', '/');
    return path;
}

TcxXLSOutputFile::TcxXLSOutputFile(std::string targetPath, std::string displayName)
    : targetPath_(std::move(targetPath)), displayName_(std::move(displayName)) {
    if (targetPath_.empty() || targetPath_.back() == '/')
        failCreate(targetPath_, EISDIR);
    // A target that exists must be a file we may replace.
    struct stat info {};
    if (::stat(targetPath_.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode))
            failCreate(targetPath_, EISDIR);
        if (::access(targetPath_.c_str(), W_OK) != 0)
            failCreate(targetPath_, errno);
    }
    static unsigned counter = 0;
    const std::string stem =
        folderOf(targetPath_) + "/." + baseOf(targetPath_) + ".~" + std::to_string(::getpid());
    int error = 0;
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        tempPath_ = stem + "-" + std::to_string(counter++) + ".tmp";
        fd_ = ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return;
        error = errno;
        if (error != EEXIST)
            break;
    }
    tempPath_.clear();
    failCreate(targetPath_, error);
}

TcxXLSOutputFile::~TcxXLSOutputFile() {
    Discard();
}

void TcxXLSOutputFile::Discard() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    if (!tempPath_.empty()) {
        ::unlink(tempPath_.c_str());
        tempPath_.clear();
    }
}

void TcxXLSOutputFile::Commit() {
    const int fd = fd_;
    fd_ = -1;
    int error = ::close(fd) == 0 ? 0 : errno;
    if (error == 0 && ::rename(tempPath_.c_str(), targetPath_.c_str()) != 0)
        error = errno;
    if (error != 0) {
        Discard();
        throw EcxExportData(FormatExportMessage(TcxExportMessage::CannotReplaceOutputFile,
                                                displayName_, std::strerror(error)));
    }
    tempPath_.clear();
}

}  // namespace cx::detail
