#include "TestServer.h"

#include "data/ServerStore.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <cstdio>
#include <cstdlib>

namespace {

// Runs one statement on the server's maintenance database.
void onServer(const QString &sql, const QString &uri = TestServer::uri())
{
    const QString name = QStringLiteral("test-server");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        ServerStore::configure(db, uri);
        if (!db.open())
            qFatal("test server: %s", qPrintable(db.lastError().text()));
        QSqlQuery q(db);
        if (!q.exec(sql))
            qFatal("test server: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        q = QSqlQuery();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

bool TestServer::wanted()
{
    return qEnvironmentVariable("PENGINAPAN_TEST_STORE") == QLatin1String("server");
}

QString TestServer::uri()
{
    return qEnvironmentVariable("PENGINAPAN_TEST_SERVER");
}

void TestServer::skipRunWithoutServer()
{
    if (wanted() && uri().isEmpty()) {
        std::fputs("No test server (PENGINAPAN_TEST_SERVER is not set): skipped.\n", stderr);
        std::exit(skipCode);
    }
}

QString TestServer::uriOf(const QString &database)
{
    static const QRegularExpression parts(QStringLiteral("^(postgres(?:ql)?://[^/?]*)(/[^?]*)?(\\?.*)?$"));
    const QRegularExpressionMatch m = parts.match(uri());
    if (!m.hasMatch())
        qFatal("test server URI not understood: %s", qPrintable(uri()));
    return m.captured(1) + QLatin1Char('/') + database + m.captured(3);
}

QString TestServer::createDatabase()
{
    static int counter = 0;
    const QString name = QStringLiteral("uji_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    onServer(QStringLiteral("CREATE DATABASE \"%1\"").arg(name));
    return uriOf(name);
}

void TestServer::dropDatabase(const QString &databaseUri)
{
    onServer(QStringLiteral("DROP DATABASE IF EXISTS \"%1\" WITH (FORCE)").arg(ServerStore::databaseName(databaseUri)));
}

void TestServer::exec(const QString &databaseUri, const QString &sql)
{
    onServer(sql, databaseUri);
}
