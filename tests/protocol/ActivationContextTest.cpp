#include <gtest/gtest.h>

#include <stdexcept>

#include "protocol/ActivationContext.h"
#include "support/ModuleInstance.h"

namespace brivane {
namespace {

constexpr WORD kManifestOfThisTest = 123;

// The activation context current on this thread (null for the process default), as a plain value.
HANDLE currentContext() {
  HANDLE context = nullptr;
  GetCurrentActCtx(&context);
  if (context) ReleaseActCtx(context);
  return context;
}

TEST(ActivationContext, TheIsolationManifestIsMissingSoModuleCallsRunInTheCallersContext) {
  EXPECT_FALSE(moduleActivationContext().created());
  HANDLE outside = currentContext();
  HANDLE inside = runInModuleContext([] { return currentContext(); });
  EXPECT_EQ(inside, outside);
}

TEST(ActivationContext, AModuleManifestThatExistsBecomesCurrentForTheCallOnly) {
  ActivationContext context(moduleInstance(), kManifestOfThisTest);
  ASSERT_TRUE(context.created());
  HANDLE outside = currentContext();
  HANDLE inside = context.run([] { return currentContext(); });
  EXPECT_NE(inside, nullptr);
  EXPECT_NE(inside, outside);
  EXPECT_EQ(currentContext(), outside);
}

TEST(ActivationContext, AResourceThatIsNotThereMakesNoContext) {
  ActivationContext context(moduleInstance(), 77);
  EXPECT_FALSE(context.created());
  HANDLE outside = currentContext();
  EXPECT_EQ(context.run([] { return currentContext(); }), outside);
}

TEST(ActivationContext, TheCallsResultComesBackAndAThrowLeavesTheContext) {
  ActivationContext context(moduleInstance(), kManifestOfThisTest);
  ASSERT_TRUE(context.created());
  EXPECT_EQ(context.run([] { return 41 + 1; }), 42);
  HANDLE outside = currentContext();
  EXPECT_THROW(context.run([]() -> int { throw std::runtime_error("call failed"); }), std::runtime_error);
  EXPECT_EQ(currentContext(), outside);
}

}  // namespace
}  // namespace brivane
