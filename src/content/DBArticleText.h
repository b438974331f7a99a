#pragma once

#include "data/DBProjectBase.h"

namespace Vexal {

// What an article and its spun copies share: a project's text in three
// parts (title, intro, body), each in spintax with its dialect code
// (2 Extreme, 4 Advance, 8 Classic). Each kind places these fields in its
// own table.
class DBArticleText : public DBProjectBase
{
    Q_OBJECT
public:
    static constexpr int textLimit = 1024;
    static constexpr int bodyLimit = 16384;

    explicit DBArticleText(QObject* parent = nullptr);

    QString title() const { return m_title; }
    int titleMode() const { return m_titleMode; }
    QString intro() const { return m_intro; }
    int introMode() const { return m_introMode; }
    QString body() const { return m_body; }
    int bodyMode() const { return m_bodyMode; }

    void setTitle(const QString& title) { change(m_title, title, textLimit); }
    void setTitleMode(int titleMode) { change(m_titleMode, titleMode); }
    void setIntro(const QString& intro) { change(m_intro, intro, textLimit); }
    void setIntroMode(int introMode) { change(m_introMode, introMode); }
    void setBody(const QString& body) { change(m_body, body, bodyLimit); }
    void setBodyMode(int bodyMode) { change(m_bodyMode, bodyMode); }

protected:
    QString m_title;
    int m_titleMode = 2;
    QString m_intro;
    int m_introMode = 2;
    QString m_body;
    int m_bodyMode = 2;
};

} // namespace Vexal
