#include <type_traits>

#include <gtest/gtest.h>

#include "platform/failure.h"

namespace kalv {
namespace {

// A success has no failure to hand to a Result: the conversion does not exist.
static_assert(!std::is_constructible_v<Result<int>, Status>);
static_assert(!std::is_convertible_v<Status, Result<int>>);

TEST(FailureTest, AStatusAnswersForItsFailureEitherWay) {
  const Status ok = Status::Ok();
  EXPECT_TRUE(ok.ok());
  EXPECT_EQ(ok.number(), err::kNone);
  EXPECT_EQ(ok.failure().description, "");

  const Status failed = Status::Fail(err::kPathNotFound);
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.failure().number, err::kPathNotFound);
  EXPECT_EQ(failed.failure().description, "Path not found");

  const Result<int> carried(failed.failure());
  EXPECT_FALSE(carried.ok());
  EXPECT_EQ(carried.status().number(), err::kPathNotFound);
}

}  // namespace
}  // namespace kalv
