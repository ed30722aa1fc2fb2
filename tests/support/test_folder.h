// A fresh folder under the system's temporary folder for tests of the real
// platform, removed with everything in it when the object goes.
#ifndef CORVALIS_TESTS_SUPPORT_TEST_FOLDER_H_
#define CORVALIS_TESTS_SUPPORT_TEST_FOLDER_H_

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace corvalis {

class TestFolder {
 public:
  TestFolder() {
    namespace fs = std::filesystem;
    std::random_device random;
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
      fs::path candidate =
          fs::temp_directory_path() / ("corvalis-env-" + std::to_string(random()));
      if (fs::create_directory(candidate)) path_ = candidate.string();
    }
    if (path_.empty()) throw std::runtime_error("no temporary folder");
  }
  ~TestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The folder, without a trailing separator.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace corvalis

#endif  // CORVALIS_TESTS_SUPPORT_TEST_FOLDER_H_
