# Precompiled headers of the two product libraries: the Qt and standard headers
# most of their files include, directly or through the product's own headers,
# parsed once per library instead of once per file (about half of a file's
# compile time). The core's list holds Qt Core and Sql only, so the core still
# cannot reach the widgets. Private to each library: tests, hosts and the
# documented code build without them, so a public header that forgets an
# #include still fails there, and clang-tidy parses each file without them
# (scripts/revision.sh). A host adding the tree with add_subdirectory gets them
# too; ccache caches these builds only with CCACHE_SLOPPINESS=pch_defines,time_macros.
option(NVLA_PRECOMPILED_HEADERS "Precompile the headers most product files include" ON)

if(NVLA_PRECOMPILED_HEADERS)
  set(nvla_pch_core
    <QString> <QStringList> <QStringView> <QVariant> <QList> <QHash> <QObject>
    <QDate> <QDateTime> <QLocale> <QRegularExpression>
    <QSqlDatabase> <QSqlQuery> <QSqlRecord> <QSqlDriver> <QSqlError>
    <algorithm> <functional> <memory> <optional> <string> <vector>)
  target_precompile_headers(nvlalotes_core PRIVATE ${nvla_pch_core})
  target_precompile_headers(nvlalotes PRIVATE ${nvla_pch_core}
    <QWidget> <QDialog> <QApplication> <QLabel> <QLineEdit> <QPushButton> <QGroupBox>
    <QVBoxLayout> <QTableView> <QHeaderView> <QAbstractTableModel> <QAction> <QStyle>
    <QKeyEvent> <QPainter> <QPointer>)
endif()
