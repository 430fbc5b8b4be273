netsh interface ip set address "eth0" static 172.16.0.5 255.255.0.0
