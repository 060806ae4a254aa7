#include "platform/mail_link.h"

#include <gtest/gtest.h>

using APIs::MailLink;

TEST(MailLink, OnlyTheNonEmptyPartsJoinTheLink) {
    EXPECT_EQ(MailLink("a@b.org", "", "", "Hi", "Text"), "mailto:a@b.org?subject=Hi&body=Text");
    EXPECT_EQ(MailLink("a@b.org", "c@d.org", "e@f.org", "", ""),
              "mailto:a@b.org?cc=c@d.org&bcc=e@f.org");
    EXPECT_EQ(MailLink("a@b.org", "", "e@f.org", "", "x"), "mailto:a@b.org?bcc=e@f.org&body=x");
    EXPECT_EQ(MailLink("a@b.org", "", "", "", ""), "mailto:a@b.org");
}

TEST(MailLink, TextArrivesAsTypedInUtf8WithCrLfLineBreaks) {
    EXPECT_EQ(MailLink("a@b.org", "", "", "Q&A #1?", "100% = ok"),
              "mailto:a@b.org?subject=Q%26A%20%231%3F&body=100%25%20%3D%20ok");
    // A "?" typed in the address does not turn the parts after it into a second query.
    EXPECT_EQ(MailLink("who?@b.org", "", "", "s", ""), "mailto:who%3F@b.org?subject=s");
    EXPECT_EQ(MailLink("a@b.org", "", "", "s", "one\ntwo\r\nthree\rfour"),
              "mailto:a@b.org?subject=s&body=one%0D%0Atwo%0D%0Athree%0D%0Afour");
    EXPECT_EQ(MailLink("a@b.org", "", "", "", "\xc3\xa9"), "mailto:a@b.org?body=%C3%A9");
}
