# A cloud-service companion that never reaches the robot: it holds port 8817
# as the real one does, says "CONNTRY" on the controller's port 6000 and then
# nothing more until it is ended.
import socket
import time

listener = socket.create_server(("127.0.0.1", 8817))
controller = socket.create_connection(("127.0.0.1", 6000))
controller.sendall(b"CONNTRY\r\n")
time.sleep(600)
