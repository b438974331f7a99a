#pragma once

#include "data/DBProjectBase.h"

namespace Vexal {

// What a project's directory entry and its social bookmark share: the texts
// submitted to sites (title, tags, address, description). A social bookmark
// is just these; a directory entry places them among its own fields.
class DBSubmission : public DBProjectBase
{
    Q_OBJECT
public:
    static constexpr int shortLimit = 128;
    static constexpr int longLimit = 1024;

    explicit DBSubmission(QObject* parent = nullptr);

    const DBFields& fields() const override;

    QString title() const { return m_title; }
    QString tags() const { return m_tags; }
    QString url() const { return m_url; }
    QString description() const { return m_description; }

    void setTitle(const QString& text) { change(m_title, text, shortLimit); }
    void setTags(const QString& text) { change(m_tags, text, shortLimit); }
    void setUrl(const QString& text) { change(m_url, text, longLimit); }
    void setDescription(const QString& text) { change(m_description, text, longLimit); }

protected:
    QString m_title;
    QString m_tags;
    QString m_url;
    QString m_description;
};

} // namespace Vexal
