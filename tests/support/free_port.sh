# free_port: prints a port on 127.0.0.1 that nobody listens on (bash connects through
# /dev/tcp). Sourced by the scripts that start a private server.
free_port() {
  local port
  for port in $(shuf -i 20000-60000 -n 40); do
    (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null || { echo "$port"; return 0; }
  done
  return 1
}
