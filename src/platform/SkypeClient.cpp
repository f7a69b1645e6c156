#include "platform/SkypeClient.h"

#include "link/LinkError.h"

namespace {

class AbsentSkypeClient : public SkypeClient {
public:
    int activeCallCount() override { return 0; }
    int activeCallStatus(int) override { throw LinkError(QStringLiteral("List index out of bounds")); }
    QString activeCallPartner(int) override { throw LinkError(QStringLiteral("List index out of bounds")); }
    void focus() override {}
    void openMessageDialog(const QString &, const QString &) override {}
    bool isRunning() override { return false; }
    void attach(int, bool) override {}
    QStringList friends() override { return {}; }
};

} // namespace

std::unique_ptr<SkypeClient> AbsentSkypeAutomation::create()
{
    return std::make_unique<AbsentSkypeClient>();
}
