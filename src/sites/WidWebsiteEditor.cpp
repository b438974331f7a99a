#include "sites/WidWebsiteEditor.h"

#include "core/Init.h"
#include "data/DBWebsite.h"
#include "sites/WidWebsiteTypeComboBox.h"
#include "texts/LocaleWebsite.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QRegularExpression>
#include <QUrl>

#include <climits>

namespace Vexal {

namespace {
constexpr int defaultType = WebsiteType::Email;

QString bareHost(QString host)
{
    host = host.trimmed();
    if (host.contains(QLatin1String("://")))
        host = QUrl(host).host();
    else
        host = host.section(QLatin1Char('/'), 0, 0).section(QLatin1Char(':'), 0, 0);
    return host.toLower();
}
} // namespace

WidWebsiteEditor::WidWebsiteEditor(QWidget* parent)
    : BaseEditor(parent, kind<DBWebsite>(LocaleWebsite::website))
{
}

QString WidWebsiteEditor::hostText(const QString& input)
{
    QStringList hosts;
    if (input.contains(QLatin1Char('{'))) {
        const QRegularExpression braced(QStringLiteral("\\{([^{}]*)\\}"));
        auto it = braced.globalMatch(input);
        while (it.hasNext())
            hosts << it.next().captured(1);
    } else {
        hosts = input.split(QRegularExpression(QStringLiteral("[\\s,;]+")), Qt::SkipEmptyParts);
    }
    QString text;
    QStringList seen;
    for (const QString& host : qAsConst(hosts)) {
        const QString bare = bareHost(host);
        if (bare.isEmpty() || seen.contains(bare))
            continue;
        seen << bare;
        text += QLatin1Char('{') + bare + QLatin1Char('}');
    }
    return text;
}

int WidWebsiteEditor::typeFlags() const
{
    int flags = 0;
    for (QCheckBox* box : typeBoxes)
        if (box->isChecked())
            flags |= box->property("flag").toInt();
    return flags;
}

void WidWebsiteEditor::setTypeFlags(int flags)
{
    for (QCheckBox* box : qAsConst(typeBoxes))
        box->setChecked((flags & box->property("flag").toInt()) != 0);
}

void WidWebsiteEditor::createWidgets()
{
    addNameField(LocaleWebsite::name());

    auto* types = new QWidget(m_body);
    auto* grid = new QGridLayout(types);
    grid->setContentsMargins(0, 0, 0, 0);
    const QList<int> order = WidWebsiteTypeComboBox::typeOrder();
    for (int i = 0; i < order.size(); ++i) {
        auto* box = new QCheckBox(DBWebsite::typeText(order.at(i)), types);
        box->setProperty("flag", order.at(i));
        grid->addWidget(box, i / 4, i % 4);
        typeBoxes << box;
        watchField([this, box] { return connect(box, &QCheckBox::toggled, this, &BaseEditor::handleDirty); });
    }
    addFieldRow(LocaleWebsite::type(), types);
    addField([this](DBBase* r) { if (auto* website = qobject_cast<DBWebsite*>(r)) setTypeFlags(website->type()); },
             [this](DBBase* r) { if (auto* website = qobject_cast<DBWebsite*>(r)) website->setType(typeFlags()); },
             [this] {
                 const int type = init() ? init()->type() : 0;
                 setTypeFlags(type != 0 ? type : defaultType);
             },
             {});

    hostEdit = addTextField(LocaleWebsite::host(), &DBWebsite::host, &DBWebsite::setHost);
    emailBox = addBoolField(LocaleWebsite::loginWith(), &DBWebsite::email, &DBWebsite::setEmail);
    emailBox->setText(LocaleWebsite::email());
    homePageEdit = addTextField(LocaleWebsite::homePage(), &DBWebsite::homePage, &DBWebsite::setHomePage,
                                LocaleWebsite::urlPrefix());
    loginPageEdit = addTextField(LocaleWebsite::loginPage(), &DBWebsite::loginPage, &DBWebsite::setLoginPage);
    addTextField(LocaleWebsite::logoutPage(), &DBWebsite::logoutPage, &DBWebsite::setLogoutPage);
    addTextField(LocaleWebsite::registrationPage(), &DBWebsite::registrationPage, &DBWebsite::setRegistrationPage);
    addTextField(LocaleWebsite::userPage(), &DBWebsite::userPage, &DBWebsite::setUserPage);
    addIntField(LocaleWebsite::googlePR(), &DBWebsite::gpr, &DBWebsite::setGpr, 0, 10);
    addIntField(LocaleWebsite::alexaRank(), &DBWebsite::apr, &DBWebsite::setApr, 0, INT_MAX);
    addCommentsField(LocaleWebsite::comments());
    finishForm();
}

void WidWebsiteEditor::storeWidgets(DBBase* record)
{
    BaseEditor::storeWidgets(record);
    // A host outside braces would never be found by the host look-up.
    if (auto* website = qobject_cast<DBWebsite*>(record))
        website->setHost(hostText(website->host()));
}

} // namespace Vexal
