/* Builds an SQLite database file from SQL scripts run in order: makedb OUT SCRIPT.sql...
   The file is written under a temporary name and renamed, so a failed build leaves no half file. */
#include <sqlite3.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static char *readAll(const char *path) {
    FILE *f = fopen(path, "rb");
    if (!f) return NULL;
    fseek(f, 0, SEEK_END);
    long n = ftell(f);
    fseek(f, 0, SEEK_SET);
    char *text = malloc((size_t)n + 1);
    if (text && fread(text, 1, (size_t)n, f) != (size_t)n) { free(text); text = NULL; }
    if (text) text[n] = 0;
    fclose(f);
    return text;
}

int main(int argc, char **argv) {
    if (argc < 3) { fprintf(stderr, "usage: makedb OUT SCRIPT.sql...\n"); return 2; }
    const char *out = argv[1];
    size_t len = strlen(out) + 5;
    char *tmp = malloc(len);
    snprintf(tmp, len, "%s.tmp", out);
    remove(tmp);
    sqlite3 *db = NULL;
    char *err = NULL;
    int rc = sqlite3_open(tmp, &db);
    for (int i = 2; i < argc && rc == SQLITE_OK; ++i) {
        char *script = readAll(argv[i]);
        if (!script) { fprintf(stderr, "makedb: cannot read %s\n", argv[i]); rc = SQLITE_ERROR; break; }
        rc = sqlite3_exec(db, script, NULL, NULL, &err);
        if (rc != SQLITE_OK) fprintf(stderr, "makedb: %s: ", argv[i]);
        free(script);
    }
    if (rc != SQLITE_OK) {
        fprintf(stderr, "makedb: %s\n", err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        sqlite3_close(db);
        remove(tmp);
        return 1;
    }
    sqlite3_close(db);
    if (rename(tmp, out) != 0) { perror("makedb"); return 1; }
    free(tmp);
    return 0;
}
