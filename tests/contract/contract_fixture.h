// The fixture every contract case runs in: a fresh backend and its scratch directory,
// with small helpers that prepare files through the platform interfaces only.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/contract/contract_backend.h"

namespace kalv::contract {

class ContractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = MakeContractBackend();
    ASSERT_TRUE(backend_);
    scratch_ = backend_->Scratch();
  }
  void TearDown() override {
    if (backend_) backend_->ReleaseAll();
  }

  Platform& platform() { return backend_->platform(); }
  Files& files() { return platform().files; }
  ContractBackend& backend() { return *backend_; }
  const std::string& scratch() const { return scratch_; }
  std::string At(const std::string& name) const { return scratch_ + "\\" + name; }

  // Creates or replaces a file with exactly these bytes.
  void Write(const std::string& path, const std::string& bytes) {
    const Status written = WriteWholeFile(files(), path, bytes);
    ASSERT_TRUE(written.ok()) << path << ": " << written.number();
  }
  // The file's bytes, or "<failure N>" so that a mismatch shows why.
  std::string Read(const std::string& path) {
    auto bytes = ReadWholeFile(files(), path);
    return bytes ? bytes.value() : "<failure " + std::to_string(bytes.failure().number) + ">";
  }

 private:
  std::unique_ptr<ContractBackend> backend_;
  std::string scratch_;
};

}  // namespace kalv::contract
