/* A stand-in engine library that finds the disk full when it comes to the plot file: the
   report and the monitor file are written (each to a temporary file renamed into place), the
   plot file keeps what it held, and the status says that an output could not be written. */
#include <stdio.h>
#include <string.h>

static int read_line(FILE* f, char* line, int size) {
    if (!fgets(line, size, f)) return 0;
    line[strcspn(line, "\r\n")] = '\0';
    return 1;
}

static void write_by_rename(const char* path) {
    char temp[4200];
    snprintf(temp, sizeof temp, "%s.part", path);
    FILE* f = fopen(temp, "w");
    if (!f) return;
    fputs("END OF ANALYSIS\n", f);
    fclose(f);
    rename(temp, path);
}

/* NAMES.dat: the version text, then the data file, report, plot file and monitor file. */
int _IVORNEL(int interface_code) {
    char names[5][4096];
    int n = 0;
    FILE* f;
    if (interface_code != 7) return 1;
    f = fopen("NAMES.dat", "r");
    if (!f) return 0;
    while (n < 5 && read_line(f, names[n], (int)sizeof names[n])) ++n;
    fclose(f);
    if (n < 5) return 0;
    write_by_rename(names[2]);
    write_by_rename(names[4]);
    return 2;
}
