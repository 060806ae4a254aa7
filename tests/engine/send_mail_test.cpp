#include "engine/model/send_mail.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <QUrlQuery>

#include "engine/model/state/tables.h"

namespace {

// Takes the links the desktop would open, so that nothing is opened.
class MailCatcher : public QObject {
    Q_OBJECT
  public:
    MailCatcher() { QDesktopServices::setUrlHandler("mailto", this, "Catch"); }
    ~MailCatcher() override { QDesktopServices::unsetUrlHandler("mailto"); }

    std::vector<QUrl> links;

  public slots:
    void Catch(const QUrl& url) { links.push_back(url); }
};

class SendMailTest : public ::testing::Test {
  protected:
    void SetUp() override {
        tables = {};
        tables.MessageTable[120] = "help@kavlor.example";
        tables.MessageTable[121] = "Kavlor question";
    }
    void TearDown() override { tables = {}; }
    MailCatcher catcher;
};

}  // namespace

TEST_F(SendMailTest, EmptyAddressAndSubjectTakeTheGamesOwn) {
    APIs::SendMail("", "", "", "", "Hello");
    ASSERT_EQ(catcher.links.size(), 1u);
    EXPECT_EQ(catcher.links[0].toEncoded().toStdString(),
              "mailto:help@kavlor.example?subject=Kavlor%20question&body=Hello");
}

TEST_F(SendMailTest, TheBodyArrivesAsTyped) {
    const std::string body = "Tricks & points: #3?\nNext line";
    APIs::SendMail("me@home.example", "", "", "Q&A", body);
    ASSERT_EQ(catcher.links.size(), 1u);
    const QUrlQuery query(catcher.links[0]);
    EXPECT_EQ(query.queryItemValue("subject", QUrl::FullyDecoded), "Q&A");
    EXPECT_EQ(query.queryItemValue("body", QUrl::FullyDecoded),
              "Tricks & points: #3?\r\nNext line");
    EXPECT_EQ(catcher.links[0].path(), "me@home.example");
}

#include "send_mail_test.moc"
