// The single-instance role as the configuration program relies on it, as one typed test that
// runs against the fake natively and against the Win32 adapter (a named mutex) under Wine.
// Instantiate it in one source of a test program with a backend type B that offers
//   SingleInstance& Role();
//   // Another program takes the name, or lets it go.
//   void HoldElsewhere(WStringView name); void ReleaseElsewhere(WStringView name);
#pragma once

#include <gtest/gtest.h>

#include "platform/single_instance.h"

namespace lectavo::conformance {

template <class B>
class SingleInstanceBehaviourTest : public ::testing::Test {
 protected:
  B backend;
};

TYPED_TEST_SUITE_P(SingleInstanceBehaviourTest);

// Each claim uses a name of its own: a claim holds its name until the program ends.
TYPED_TEST_P(SingleInstanceBehaviourTest, NameIsClaimedUnlessAnotherProgramHoldsItNow) {
  SingleInstance& instance = this->backend.Role();
  EXPECT_TRUE(instance.Claim(u"Lectavo_Probe.Free"));

  this->backend.HoldElsewhere(u"Lectavo_Probe.Held");
  EXPECT_FALSE(instance.Claim(u"Lectavo_Probe.Held"));
  this->backend.ReleaseElsewhere(u"Lectavo_Probe.Held");

  this->backend.HoldElsewhere(u"Lectavo_Probe.Let");
  this->backend.ReleaseElsewhere(u"Lectavo_Probe.Let");
  EXPECT_TRUE(instance.Claim(u"Lectavo_Probe.Let")) << "let go before the claim";

  this->backend.HoldElsewhere(u"LECTAVO_PROBE.CASE");
  EXPECT_TRUE(instance.Claim(u"Lectavo_Probe.Case")) << "names differ by letter case";
  this->backend.ReleaseElsewhere(u"LECTAVO_PROBE.CASE");
}

TYPED_TEST_P(SingleInstanceBehaviourTest, NoDialogWithTheCaptionIsNothingToRaise) {
  EXPECT_FALSE(this->backend.Role().Raise(u"Lectavo_Probe no such dialog"));
}

REGISTER_TYPED_TEST_SUITE_P(SingleInstanceBehaviourTest,
                            NameIsClaimedUnlessAnotherProgramHoldsItNow,
                            NoDialogWithTheCaptionIsNothingToRaise);

}  // namespace lectavo::conformance
