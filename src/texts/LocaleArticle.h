#pragma once

#include "texts/LocaleTable.h"

#include <QObject>
#include <QString>

#define TESVAR_LOCALE_ARTICLE_TABLE(TEXT, TEXT_ARG, FORWARD, FORWARD_ARGS) \
    TEXT(finalTitle, "Final Title") \
    TEXT(extreme, "Extreme") \
    TEXT(advance, "Advance") \
    TEXT(classic, "Classic") \
    TEXT(title, "Title") \
    TEXT(confirmOverrideBody, "The Body is not empty. Do you wish to override it?") \
    TEXT(confirmOverrideIntro, "The Intro is not empty. Do you wish to override it?") \
    TEXT(confirmOverrideTitle, "The Title is not empty. Do you wish to override it?") \
    TEXT(finalContent, "Final Content") \
    TEXT(spam, "Spam") \
    TEXT(acceptTerms, "Accept Terms") \
    TEXT(words, "Words") \
    TEXT(word, "Word") \
    TEXT(language, "Language") \
    TEXT(accept, "Accept") \
    TEXT(master, "Master") \
    TEXT(spunArticlesLabel, "Spun Articles") \
    TEXT(spun, "Spun") \
    TEXT(submitted, "Submitted") \
    TEXT(articleTab, "Article") \
    TEXT(articleLabel, "Article") \
    TEXT(articleId, "Article ID") \
    TEXT(finalBody, "Final Body") \
    TEXT(bodyMode, "Body Mode") \
    TEXT(body, "Body") \
    TEXT(finalIntro, "Final Intro") \
    TEXT(introMode, "Intro Mode") \
    TEXT(intro, "Intro") \
    TEXT(authorsBio, "Author's Bio") \
    TEXT(categoryField, "Category") \
    TEXT(tags, "Tags") \
    FORWARD(selectionChanged, LocaleBase, selectionChanged) \
    FORWARD(spin, LocaleBase, spin) \
    FORWARD(copy, LocaleBase, copy) \
    FORWARD(deleteWord, LocaleBase, deleteWord) \
    FORWARD(editWord, LocaleBase, editWord) \
    FORWARD(addWord, LocaleBase, addWord) \
    FORWARD(deleteItem, LocaleBase, deleteItem) \
    FORWARD(edit, LocaleBase, edit) \
    FORWARD(add, LocaleBase, add) \
    FORWARD(urlPrefix, LocaleBase, urlPrefix) \
    FORWARD(comments, LocaleBase, comments) \
    FORWARD(name, LocaleBase, name) \
    FORWARD(id, LocaleBase, id) \
    FORWARD(project, LocaleInstance, project) \
    FORWARD(synonyms, LocaleInstance, synonyms) \
    FORWARD(synonym, LocaleInstance, synonym) \
    FORWARD(spunArticles, LocaleInstance, spunArticles) \
    FORWARD(spunArticle, LocaleInstance, spunArticle) \
    FORWARD(categories, LocaleInstance, categories) \
    FORWARD(category, LocaleInstance, category) \
    FORWARD(articles, LocaleInstance, articles) \
    FORWARD(article, LocaleInstance, article) \
    FORWARD(wordExists, LocaleMessage, wordExists) \
    FORWARD(synonymExists, LocaleMessage, synonymExists) \
    FORWARD(confirmDeleteRecords, LocaleMessage, confirmDeleteRecords) \
    FORWARD(confirmDuplicateArticles, LocaleMessage, confirmDuplicateArticles) \
    FORWARD(synonymTable, DBSql, tableSynonym) \
    FORWARD(synonymView, DBSql, tableSynonym) \
    FORWARD(spunArticleTable, DBSql, tableSpunArticle) \
    FORWARD(spunArticleView, DBSql, tableSpunArticleView) \
    FORWARD(categoryTable, DBSql, tableCategory) \
    FORWARD(categoryView, DBSql, tableCategoryView) \
    FORWARD(articleTable, DBSql, tableArticle) \
    FORWARD(articleView, DBSql, tableArticleView)

namespace Vexal {

// Article, spun-article, category and synonym screens, article template, fills
// and submitter.
namespace LocaleArticle {

TESVAR_LOCALE_DECLARE(TESVAR_LOCALE_ARTICLE_TABLE)

} // namespace LocaleArticle

} // namespace Vexal
