/* floor_writer: the start-up floor of the exporter. A C program that writes one file of a
 * picture's size (45,054 bytes) the way the exporter saves one: under a temporary name, flushed
 * to the disk, renamed into place. bench/startup.sh times the exporter against it.
 *
 * usage: floor_writer OUTPUT */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char **argv) {
  static char bytes[45054];
  char temp[4096];
  if (argc != 2 || strlen(argv[1]) + 12 > sizeof temp) {
    fprintf(stderr, "usage: floor_writer OUTPUT\n");
    return 2;
  }
  memset(bytes, 0xFF, sizeof bytes);
  snprintf(temp, sizeof temp, "%s.tmp-XXXXXX", argv[1]);
  int fd = mkstemp(temp);
  if (fd < 0) return 1;
  int ok = write(fd, bytes, sizeof bytes) == (ssize_t)sizeof bytes;
  ok = fsync(fd) == 0 && ok;
  ok = close(fd) == 0 && ok;
  ok = ok && rename(temp, argv[1]) == 0;
  if (!ok) {
    unlink(temp);
    return 1;
  }
  return 0;
}
